// Every text the windows show keeps at least 3 to 1 against what stands
// behind it (WCAG's contrast of relative luminances), on a light and on a
// dark desktop palette, with the skin's colours off and on: every window the
// menus open, with lotteries, entries and a syndicate to show, measured label
// by label, box by box and grid cell by grid cell.
#include "app/MenuItems.h"
#include "app/Vantrel.h"
#include "app/WindowCatalog.h"
#include "core/Settings.h"
#include "platform/ui/Colours.h"
#include "platform/ui/FlexGrid.h"
#include "platform/ui/MsgBox.h"
#include "platform/ui/Shell.h"
#include "printing/ui/PrintFrm.h"
#include "syndicates/SyndicateFile.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

namespace {

// A dark palette as a desktop's dark theme gives it to Fusion.
QPalette DarkPalette()
{
    QPalette p;
    const QColor window(53, 53, 53), base(35, 35, 35), text(230, 230, 230), greyed(127, 127, 127);
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::ToolTipBase, base);
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, greyed);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::Button, window);
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::BrightText, Qt::red);
    p.setColor(QPalette::Light, window.lighter(150));
    p.setColor(QPalette::Midlight, window.lighter(125));
    p.setColor(QPalette::Mid, window.darker(150));
    p.setColor(QPalette::Dark, window.darker(200));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, QColor(42, 130, 218));
    p.setColor(QPalette::HighlightedText, Qt::black);
    for (QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        p.setColor(QPalette::Disabled, role, greyed);
    return p;
}

// The colour painted behind a widget: its own where it fills its background,
// else that of the nearest widget under it that does.
QColor Behind(const QWidget* w)
{
    for (const QWidget* p = w; p; p = p->parentWidget())
        if (p->autoFillBackground() || p->isWindow())
            return p->palette().color(p->backgroundRole());
    return QColor();
}

// Every text of the window that reads less than 3 to 1 against what is
// behind it: labels, check boxes, option buttons and frame titles on the
// window, text boxes on their own background, grid cells and headings.
QStringList Unreadable(const QWidget* window)
{
    QStringList faults;
    auto fault = [](const QWidget* w, const QString& text, const QColor& fore, const QColor& back) {
        const double ratio = ContrastRatio(fore, back);
        return ratio >= kLeastContrast
            ? QString()
            : QStringLiteral("%1 %2 \"%3\": %4 on %5 (%6 to 1)")
                  .arg(w->metaObject()->className(), w->objectName(), text.left(30), fore.name(), back.name())
                  .arg(ratio, 0, 'f', 1);
    };
    auto check = [&](const QWidget* w, const QString& text, const QColor& fore, const QColor& back) {
        if (const QString f = fault(w, text, fore, back); !f.isEmpty())
            faults << f;
    };
    QList<QWidget*> widgets = window->findChildren<QWidget*>();
    widgets.prepend(const_cast<QWidget*>(window));
    for (const QWidget* w : widgets) {
        if (!w->isVisible() || !w->isEnabled())
            continue;
        const QPalette& p = w->palette();
        if (auto* label = qobject_cast<const QLabel*>(w); label && !label->text().trimmed().isEmpty()) {
            check(w, label->text(), p.color(QPalette::WindowText), Behind(w));
        } else if (auto* box = qobject_cast<const QLineEdit*>(w); box && !box->text().isEmpty()) {
            check(w, box->text(), p.color(QPalette::Text), p.color(QPalette::Base));
        } else if (qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w)) {
            check(w, QString(), p.color(QPalette::Text), p.color(QPalette::Base));
        } else if (auto* button = qobject_cast<const QAbstractButton*>(w);
                   button && !qobject_cast<const QPushButton*>(w) && !button->text().isEmpty()) {
            check(w, button->text(), p.color(QPalette::WindowText), Behind(w));
        } else if (auto* frame = qobject_cast<const QGroupBox*>(w); frame && !frame->title().isEmpty()) {
            check(w, frame->title(), p.color(QPalette::WindowText), Behind(w));
        } else if (auto* grid = qobject_cast<const FlexGrid*>(w)) {
            // The first cell of each column that does not read, and how many.
            for (int c = 0; c < grid->Cols(); ++c) {
                QString first;
                int count = 0;
                for (int r = 0; r < std::min(grid->Rows(), 60); ++r) {
                    const QString text = grid->TextMatrix(r, c);
                    const QString f = text.isEmpty() ? QString()
                                                     : fault(w, QStringLiteral("(%1, %2) %3").arg(r).arg(c).arg(text),
                                                             grid->cellForeColor(r, c), grid->cellBackColor(r, c));
                    if (!f.isEmpty() && count++ == 0)
                        first = f;
                }
                if (count > 0)
                    faults << first + QStringLiteral(", %1 cells of the column").arg(count);
            }
        }
    }
    return faults;
}

// The desktop's palette for as long as it lives.
class PaletteInUse {
public:
    explicit PaletteInUse(const QPalette& palette) : before_(QApplication::palette())
    {
        QApplication::setPalette(palette);
    }
    ~PaletteInUse() { QApplication::setPalette(before_); }
    PaletteInUse(const PaletteInUse&) = delete;
    PaletteInUse& operator=(const PaletteInUse&) = delete;

private:
    QPalette before_;
};

QString Row(const QStringList& fields) { return '"' + fields.join("\",\"") + '"'; }
} // namespace

class ColourContrast : public ProgramFolderTest {};

TEST_F(ColourContrast, EveryTextReadsOnALightAndADarkPalette)
{
    QStringList draws, bonusDraws, saved;
    for (int d = 0; d < 40; ++d) {
        const QString date = QDate(2026, 12, 5).addDays(-3 * d).toString("dd MMM yy");
        draws << QStringLiteral("%1,%2,%3,%4,%5,%6,0,0,%7")
                     .arg(date)
                     .arg(d % 13 + 1)
                     .arg(d % 11 + 15)
                     .arg(d % 7 + 30)
                     .arg(d % 5 + 40)
                     .arg(d % 9 + 50)
                     .arg(d % 20 + 1);
        bonusDraws << QStringLiteral("%1,%2,%3,%4,%5,%6,%7,0,%8")
                          .arg(date)
                          .arg(d % 7 + 1)
                          .arg(d % 5 + 10)
                          .arg(d % 9 + 18)
                          .arg(d % 4 + 30)
                          .arg(d % 6 + 36)
                          .arg(d % 3 + 44)
                          .arg(d % 8 + 20);
        saved << QStringLiteral("%1,%2,16,31,41,51,,,%3,\"Powerball\",\"Ann\",dbase001.txt")
                     .arg(date)
                     .arg(d % 13 + 1)
                     .arg(d % 20 + 1);
    }
    writeLines("dbase001.txt", DatabaseLines("Powerball", "5,69,0,26,0", draws));
    writeLines("dbase002.txt", DatabaseLines("Lotto", "6,49,0,0,1", bonusDraws));
    writeLines("ReVadirav.txt", saved);
    writeLines("SMembers.000",
               {Row({"Manager", "", "", "", "", "", "", "", "", "", "Club"}),
                Row({"Ann", "", "", "", "", "", "", "Cash", "2.00", "01-Jan-2001", ""}),
                Row({"Bob", "", "", "", "", "", "", "Cash", "2.00", "01-Jan-2099", ""})});
    writeLines("Diary.000",
               {Row({"05-Mar-2026", "2", "£10.00", "£0.00", "-£10.00", "Tickets"}),
                Row({"12-Mar-2026", "2", "£10.00", "£25.00", "£15.00", "A win"})});
    SetMsgBoxHook([](const MsgBoxCall& box) {
        const int buttons = box.buttons();
        return buttons == vbYesNo || buttons == vbYesNoCancel ? int(vbYes) : int(vbOK);
    });
    SetShellHook([](const QUrl&) { return true; });
    RegisterAllWindows();

    const struct {
        const char* name;
        QPalette palette;
        const char* skinFlags;
    } cases[] = {
        {"light", QApplication::palette(), "1"},
        {"dark", DarkPalette(), "1"},
        {"dark, skin colours on", DarkPalette(), "3"},
    };
    QString current;
    QStringList faults;
    auto measure = [&](const QWidget* window, const QString& when) {
        for (const QString& fault : Unreadable(window))
            faults << current + " " + window->metaObject()->className() + " " + when + ": " + fault;
    };
    SetModalHook([&](QDialog* dialog) {
        dialog->show();
        QApplication::processEvents();
        measure(dialog, "when it opens");
        if (auto* list = dialog->findChild<QListWidget*>("List1")) {
            for (int row = 0; row < list->count() && row < 2; ++row) {
                list->setCurrentRow(row);
                QApplication::processEvents();
                measure(dialog, QStringLiteral("with lottery %1").arg(row));
            }
        }
        if (QString(dialog->metaObject()->className()) == "ShowMyDrawsW") {
            dialog->findChild<QPushButton*>("Command2")->click(); // Check colours the matches
            measure(dialog, "after Check");
        }
        dialog->hide();
        if (auto* options = qobject_cast<PrintFrm*>(dialog))
            options->Command1->click();
        return int(QDialog::Rejected);
    });
    for (const auto& c : cases) {
        const PaletteInUse palette(c.palette);
        Settings.set(SkinFlags, c.skinFlags);
        current = c.name;
        {
            LoadedWindow<Vantrel> main;
            main.show();
            measure(&main, "main window");
        }
        // The main window read the settings file.
        Settings.set(SkinFlags, c.skinFlags);
        Settings.set(SyndicateFile, "SMembers.000");
        LoadSyndicate();
        for (int i = 0; i < kMenuItemCount; ++i) {
            const MenuItem item = MenuItem(i);
            current = QStringLiteral("%1, %2:").arg(c.name, MenuItemName(item));
            if (HasWindow(item)) {
                EXPECT_TRUE(OpenWindow(item, nullptr)) << current.toStdString();
            }
        }
    }
    EXPECT_EQ(faults.join("\n").toStdString(), "");
}
