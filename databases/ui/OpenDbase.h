#pragma once
// The "Open lottery database" dialog: opens a chosen database file in the
// desktop's text editor so the player can read or edit it by hand.

#include "databases/ui/DatabaseChoice.h"

class OpenDbase : public DatabaseChoice {
    Q_OBJECT
public:
    explicit OpenDbase(QWidget* parent = nullptr);

    void Command2_Click() override;
};
