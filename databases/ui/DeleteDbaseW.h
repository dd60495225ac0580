#pragma once
// The "Delete lottery database" dialog: deletes a chosen database file after
// a question.

#include "databases/ui/DatabaseChoice.h"

class DeleteDbaseW : public DatabaseChoice {
    Q_OBJECT
public:
    explicit DeleteDbaseW(QWidget* parent = nullptr);

    void Command2_Click() override;
};
