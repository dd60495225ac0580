#pragma once
// A class with signals in a folder after the first: its moc output belongs to
// this folder.
#include <QObject>

class Notice : public QObject {
    Q_OBJECT
public slots:
    void refresh();

signals:
    void changed();
};
