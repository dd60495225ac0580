#pragma once
// "Syndicate Notes": the syndicate manager's checklist of eight tasks and
// free notes, kept in "SNotes.txt" (one file for every syndicate).

#include "syndicates/SyndicateNotes.h"

#include "core/ui/LoadOnce.h"

#include <QDialog>
#include <array>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class SNotes : public LoadOnce<QDialog> {
    Q_OBJECT
public:
    explicit SNotes(QWidget* parent = nullptr);

    void Skinning();

    QLabel* Label4 = nullptr;
    QLabel* Label3 = nullptr;
    QPlainTextEdit* Text1 = nullptr; // the notes
    QLabel* Label2 = nullptr;
    QLabel* Label12 = nullptr;
    std::array<QCheckBox*, kSyndicateChecklistItems> Check1{};
    std::array<QPushButton*, kSyndicateChecklistItems> Command4{}; // clear item i
    QLabel* Label1 = nullptr;
    QLineEdit* Text2 = nullptr;      // a new checklist item
    QPushButton* Command3 = nullptr; // Add
    QPushButton* Command1 = nullptr; // Save
    QPushButton* Command5 = nullptr; // Reset
    QPushButton* Command2 = nullptr; // Close

    // True while the checklist or notes hold changes not yet saved.
    bool Changed = false;

    // Item i's caption as stored (the check box shows it with '&' doubled).
    QString Caption(int index) const;
    void SetCaption(int index, const QString& caption);

    void Form_Load() override;
    // Writes "SNotes.txt" from the controls; false when it could not be
    // written, or could not be read when the window opened (it is kept).
    bool SaveNotes(QString* error = nullptr);
    void Command3_Click();
    void Command4_Click(int index);
    void Command1_Click();
    void Command5_Click();
    void Command2_Click();

protected:
    // The title bar's close box asks as Close does while changes are unsaved.
    void closeEvent(QCloseEvent* event) override;

private:
    SyndicateNotes content() const;
    void showContent(const SyndicateNotes& content);
    std::array<QString, kSyndicateChecklistItems> captions_;
    bool fileKept_ = false; // "SNotes.txt" could not be read: Save never writes over it
};
