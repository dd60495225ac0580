#pragma once
// The main window.

#include <QMainWindow>

class Vantrel : public QMainWindow {
    Q_OBJECT
public:
    explicit Vantrel(QWidget* parent = nullptr);
};
