#include "gotodialog.h"

#include "storage/encountershape.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QFormLayout>
#include <QSpinBox>

int askEncounterNumber(QWidget *parent, int suggested)
{
    QDialog dialog(parent);
    dialog.setWindowTitle(QCoreApplication::translate("GoToDialog", "Go to encounter"));
    // The window manager cuts a title wider than its title bar, which holds
    // an icon and buttons too and often a larger, bold font.
    QFont titleFont = dialog.font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.25);
    const int iconAndButtons = 4 * 32;
    dialog.setMinimumWidth(QFontMetrics(titleFont).horizontalAdvance(dialog.windowTitle()) + iconAndButtons);

    auto number = new QSpinBox(&dialog);
    number->setObjectName(QStringLiteral("goToNumber"));
    number->setRange(1, EncounterShape::EncounterCount);
    number->setValue(suggested);
    // Typing replaces the suggestion.
    number->selectAll();

    auto buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);

    auto layout = new QFormLayout(&dialog);
    layout->addRow(QCoreApplication::translate("GoToDialog", "Encounter number:"), number);
    layout->addRow(buttons);

    return dialog.exec() == QDialog::Accepted ? number->value() : 0;
}
