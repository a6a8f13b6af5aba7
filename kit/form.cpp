#include "form.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QWidget>

int Form::s_loadedCount = 0;

namespace {

// The top-level widget of a form: its close box unloads the form.
class FormWindow : public QWidget
{
public:
    explicit FormWindow(Form *form) : m_form(form) {}

protected:
    void closeEvent(QCloseEvent *event) override
    {
        if (m_form->unload())
            event->accept();
        else
            event->ignore();
    }

private:
    Form *m_form;
};

} // namespace

Form::~Form()
{
    delete m_window;
}

void Form::load()
{
    if (m_window)
        return;
    m_window = new FormWindow(this);
    ++s_loadedCount;
    setupUi(m_window);
    Form_Load();
}

void Form::show()
{
    load();
    if (m_window->isVisible()) {
        m_window->raise();
        m_window->activateWindow();
    } else {
        m_window->show();
    }
}

bool Form::unload()
{
    if (!m_window)
        return true;
    if (!Form_QueryUnload())
        return false;
    Form_Unload();
    QWidget *window = std::exchange(m_window, nullptr);
    window->hide();
    // The unload may come from one of the window's own buttons, still on the stack.
    window->deleteLater();
    if (--s_loadedCount == 0)
        QCoreApplication::quit();
    return true;
}
