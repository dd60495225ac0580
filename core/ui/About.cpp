#include "core/ui/About.h"

#include "core/Settings.h"
#include "core/VersionCheck.h"
#include "core/ui/HelpCommands.h"
#include "platform/ui/Controls.h"
#include "platform/ui/MsgBox.h"

#include <QApplication>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
const QString kTitle = QStringLiteral("Vantrel");

// A long address shows its start; the click opens all of it.
void setLinkText(QLabel* label, const QString& text)
{
    const QString shown = text.size() > 50 ? text.left(49) + QChar(0x2026) : text;
    label->setText("<a href=\"#\">" + shown.toHtmlEscaped() + "</a>");
}

// A label that reads like a link; a click runs the handler.
QLabel* linkLabel(QWidget* parent, const QString& name, const QString& text, const QString& tip)
{
    QLabel* label = NamedLabel(parent, name, QString());
    label->setTextFormat(Qt::RichText);
    setLinkText(label, text);
    label->setToolTip(tip);
    label->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    return label;
}
} // namespace

About::About(QWidget* parent) : LoadOnce(parent)
{
    setObjectName("About");

    picIcon = NamedLabel(this, "picIcon", QString());
    lblTitle = NamedLabel(this, "lblTitle", QString());
    MakeTitle(lblTitle, 1.8);
    lblVersion = NamedLabel(this, "lblVersion", QString());
    lblContact = NamedLabel(this, "lblContact",
                            "Vantrel is made by a small team and is reached by e-mail and on the web; there is no "
                            "postal address, telephone or fax line.");
    lblContact->setWordWrap(true);
    Label10 = linkLabel(this, "Label10", kGeneralEmail, " Write to us ");
    Label9 = linkLabel(this, "Label9", kSupportEmail, " Write to technical support ");
    Label3 = linkLabel(this, "Label3", QString(), " Visit the web site ");
    cmdSysInfo = NamedButton(this, "cmdSysInfo", "&System Info...");
    cmdOK = NamedPictureButton(this, "cmdOK", QStyle::SP_DialogCloseButton, "Close", " Close ", "window-close");
    cmdOK->setDefault(true);

    connect(Label10, &QLabel::linkActivated, this, &About::Label10_Click);
    connect(Label9, &QLabel::linkActivated, this, &About::Label9_Click);
    connect(Label3, &QLabel::linkActivated, this, &About::Label3_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &About::cmdSysInfo_Click);
    connect(cmdOK, &QPushButton::clicked, this, &About::cmdOK_Click);

    auto* addresses = new QGridLayout;
    addresses->addWidget(NamedLabel(this, "lblGeneral", "E-mail:"), 0, 0);
    addresses->addWidget(Label10, 0, 1);
    addresses->addWidget(NamedLabel(this, "lblSupport", "Technical support:"), 1, 0);
    addresses->addWidget(Label9, 1, 1);
    addresses->addWidget(NamedLabel(this, "lblWeb", "Web site:"), 2, 0);
    addresses->addWidget(Label3, 2, 1);
    addresses->setColumnStretch(1, 1);

    auto* text = new QVBoxLayout;
    text->addWidget(lblTitle);
    text->addWidget(lblVersion);
    text->addSpacing(12);
    text->addWidget(lblContact);
    text->addLayout(addresses);

    auto* top = new QHBoxLayout;
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(text, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSysInfo);
    buttons->addStretch(1);
    buttons->addWidget(cmdOK);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(12);
    layout->addLayout(buttons);
    setMinimumWidth(460);
}

void About::Form_Load()
{
    setWindowTitle("About " + kTitle);
    lblVersion->setText("Version " + ProgramVersion());
    lblTitle->setText(kTitle);
    setLinkText(Label3, Settings[LinkAddress]);
    const QIcon icon = QApplication::windowIcon();
    picIcon->setPixmap(icon.isNull() ? QPixmap() : icon.pixmap(64, 64));
    picIcon->setVisible(!icon.isNull());
}

void About::StartSysInfo() { MsgBox("System Information Is Unavailable At This Time", vbOKOnly, kTitle); }

void About::cmdSysInfo_Click() { StartSysInfo(); }

void About::cmdOK_Click() { close(); }

void About::Label10_Click() { WriteMailTo(kGeneralEmail); }

void About::Label9_Click() { WriteMailTo(kSupportEmail); }

void About::Label3_Click() { OpenWebPage(Settings[LinkAddress]); }
