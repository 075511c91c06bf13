#include "app/AboutDialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

#include "app/DialogControls.h"
#include "app/ToolbarIcons.h"

#ifndef OSKAVA_DOC_DIR
#define OSKAVA_DOC_DIR "/usr/local/share/doc/oskava-data-viewer"
#endif

namespace oskava {

QString AboutInformation() {
    const QString docs = QStringLiteral("file://" OSKAVA_DOC_DIR);
    return QStringLiteral(
               "Functionality:\n"
               "- View 2D DC resistivity or IP pseudosections.\n"
               "- Adds noise or assigns errors to data.\n"
               "\n"
               "Information:\n"
               "Documentation (file name): oskava-data-man.html\n"
               "Documentation (web): \n%1/oskava-data-man.html\n"
               "Inversion tutorials (web): \n%1/README.md\n"
               "\n"
               "Developed by the oskava-data-viewer project.")
        .arg(docs);
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("About OSKAVA Data Viewer"));
    auto* icon = new QLabel(this);
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    const auto centred = [this](const QString& text) {
        auto* label = new QLabel(text, this);
        label->setAlignment(Qt::AlignHCenter);
        return label;
    };
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* information = new QPlainTextEdit(AboutInformation(), this);
    information->setObjectName(QStringLiteral("1041"));
    information->setReadOnly(true);
    information->setLineWrapMode(QPlainTextEdit::NoWrap);
    NameAfterLabel(information, QStringLiteral("Information"));

    auto* layout = new QGridLayout(this);
    layout->addWidget(icon, 0, 0, 3, 1, Qt::AlignTop);
    layout->addWidget(centred(QStringLiteral("OSKAVA Data Viewer")), 0, 1);
    layout->addWidget(centred(QStringLiteral("Version 201107")), 1, 1);
    layout->addWidget(centred(QStringLiteral("Copyright (C) the oskava-data-viewer developers")), 2,
                      1);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->addWidget(information, 3, 0, 1, 3);
    resize(480, 320);
    KeepTitleReadable(this);
}

}  // namespace oskava
