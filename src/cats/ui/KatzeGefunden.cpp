#include "KatzeGefunden.h"

#include "widgets/Dialogs.h"
#include "widgets/Translator.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tav::cats::ui {

using namespace tav::widgets;

namespace {
constexpr int TagAbbrechen = 2363;
constexpr int TagTierLaden = 2364;
} // namespace

TFormKatzegefunden::TFormKatzegefunden(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("FormKatzegefunden"));
    setProperty("tag", 2360);
    setWindowTitle(QStringLiteral(" Katze gefunden"));

    LMeldung = new QLabel(QStringLiteral("Katze mit gleichem Namen gefunden !"), this);
    LMeldung->setProperty("tag", 2361);
    LMeldung->setAlignment(Qt::AlignCenter);
    BNeuaufnehmen = new QPushButton(QStringLiteral("Neuaufnehmen"), this);
    BNeuaufnehmen->setProperty("tag", 2362);
    BNeuaufnehmen->setDefault(true);
    BAbbrechen = new QPushButton(QStringLiteral("&Abbrechen"), this);
    BAbbrechen->setProperty("tag", TagAbbrechen);
    BAbbrechen->setAutoDefault(false);

    auto *knoepfe = new QHBoxLayout;
    knoepfe->addStretch();
    knoepfe->addWidget(BNeuaufnehmen);
    knoepfe->addWidget(BAbbrechen);
    knoepfe->addStretch();
    auto *v = new QVBoxLayout(this);
    v->addSpacing(8);
    v->addWidget(LMeldung);
    v->addSpacing(8);
    v->addLayout(knoepfe);

    connect(BNeuaufnehmen, &QPushButton::clicked, this, &QDialog::accept);
    connect(BAbbrechen, &QPushButton::clicked, this, &QDialog::reject);

    translateOnCreate(this);
}

void TFormKatzegefunden::setStammbaumModus(bool on)
{
    m_stammbaum = on;
    if (on)
        BAbbrechen->setText(QStringLiteral("Tier laden"));
    else
        BAbbrechen->setText(QStringLiteral("&Abbrechen"));
    BAbbrechen->setProperty("tag", on ? TagTierLaden : TagAbbrechen);
    translateComponent(BAbbrechen, tav::app::sprache().offset());
}

bool neuaufnehmenTrotzGleichemNamen(QWidget *parent, bool stammbaumModus)
{
    TFormKatzegefunden dlg(parent);
    dlg.setStammbaumModus(stammbaumModus);
    return execDialog(dlg) == QDialog::Accepted;
}

} // namespace tav::cats::ui
