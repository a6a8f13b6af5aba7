#pragma once

#include <QUndoCommand>

#include <functional>

// A step of the board's undo, told by what doing and undoing it do.
class BoardCommand : public QUndoCommand
{
public:
    BoardCommand(const QString &text, std::function<void()> redo, std::function<void()> undo)
        : QUndoCommand(text), m_redo(std::move(redo)), m_undo(std::move(undo))
    {
    }
    void redo() override { m_redo(); }
    void undo() override { m_undo(); }

private:
    std::function<void()> m_redo, m_undo;
};
