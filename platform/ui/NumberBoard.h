#pragma once
// A board of number labels (1, 2, ... in rows) that the player clicks to pick
// numbers. A label's selection shows in its colours: black with white text
// when selected, light red (&HC0C0FF) with black text when not. Labels past
// the numbers a lottery has are disabled: they ignore clicks and are never
// selected.

#include <QWidget>
#include <vector>

class QLabel;

class NumberBoard : public QWidget {
    Q_OBJECT
public:
    // Labels 1 to `numbers`, `perRow` to a row, named "<name>(1)", ...
    NumberBoard(const QString& name, int numbers, int perRow, QWidget* parent = nullptr);

    int numbers() const { return int(labels_.size()); }
    // The label of number n (1 to numbers()), or nullptr.
    QLabel* label(int n) const;
    bool isSelected(int n) const;
    // Selects or unselects n (a disabled label too, as the program does it).
    void setSelected(int n, bool selected);
    // Labels 1 to top enabled (their selection kept), the others unselected
    // and disabled.
    void setTop(int top);
    // Unselects every label; disabled ones stay disabled.
    void clearSelection();
    // The selected numbers, ascending.
    std::vector<int> selectedNumbers() const;

signals:
    // The player clicked the enabled label of n (its selection has turned).
    void numberClicked(int n);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void paint(int n);

    std::vector<QLabel*> labels_;
    std::vector<bool> selected_;
};
