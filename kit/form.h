#pragma once

#include <QObject>

class QWidget;

// A window class with one process-wide instance. Loading builds the window
// from its layout and runs Form_Load; unloading runs Form_Unload and destroys
// the window and its controls, but keeps the instance, so that the next use
// loads it afresh. The application ends when no form is loaded any more:
// a loaded but hidden form keeps it running.
class Form : public QObject
{
    Q_OBJECT

public:
    // Builds the window unless it is loaded already. Does not show it.
    void load();
    // Loads the window when needed, shows it modeless and brings it to the front.
    void show();
    // Runs Form_Unload and destroys the window, unless Form_QueryUnload
    // refuses; false then. The window's close box does the same.
    bool unload();

    bool isLoaded() const { return m_window != nullptr; }
    QWidget *window() const { return m_window; }

    static int loadedCount() { return s_loadedCount; }

    // Shows encounter `number` as choosing it in the window does. Only the
    // board shows encounters: through this the editor refreshes it without
    // knowing its class.
    virtual void showEncounter(int /*number*/) {}
    // Shows an encounter the editor saved into a dungeon's folder.
    virtual void showSavedEncounter(int /*dungeonNumber*/, int /*number*/) {}

protected:
    Form() = default;
    ~Form() override;

    // Creates the window's controls inside window.
    virtual void setupUi(QWidget *window) = 0;
    virtual void Form_Load() {}
    // Whether the window may close now; it stays as it is when not.
    virtual bool Form_QueryUnload() { return true; }
    virtual void Form_Unload() {}

private:
    QWidget *m_window = nullptr;
    static int s_loadedCount;
};
