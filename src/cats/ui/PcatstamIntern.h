// PcatstamIntern: internals the cat record window's source files share.
#pragma once

#include "Pkalend.h"
#include "widgets/DataSource.h"

#include <QWidget>

class QLabel;
class QPushButton;

namespace tav::app {
class tsysteminfo;
}
namespace tav::widgets {
class DBGrid;
} // namespace tav::widgets

namespace tav::cats::ui {

class TCatStamm;

// the settings of the run, or the defaults when none were loaded
const tav::app::tsysteminfo &einstellungen();
int sprachNummer();

// Caption tags of the cat record window (captions.tsv). A list takes its items from the records
// following its own tag.
enum CatStammTag {
    TagFenster = 3100,
    TagNotebook = 3101, // the ten page titles follow: 3102..3111
    TagName = 3112,
    TagZwinger,
    TagRufname,
    TagZbNr1,
    TagReg2,
    TagTaetoNr,
    TagGeb,
    TagRasse,
    TagFarbe,
    TagAugenfarbe,
    TagFellart,
    TagRute,
    TagChipNr,
    TagTests,
    TagBlutgruppe,
    TagGroesse,
    TagGewicht,
    TagZuchtsperre,
    TagGeschlecht = 3130, // items 3131..3134
    TagAndReg = 3135,
    TagRfCode,
    TagTitel,
    TagIK,
    TagAVK,
    TagRasseanteile,
    TagMerkmale,
    TagVater,
    TagMutter,
    TagVaterSuchen,
    TagMutterSuchen,
    TagZuechter,
    TagBesitzer,
    TagAdressen,
    TagAdresseSuchen,
    TagStatus,
    TagSpeichern,
    TagRueckgaengig,
    TagHilfe,
    TagErreichtesAlter,
    TagGenetik = 3156,
    TagGenotyp,
    TagGencode,
    TagTraegt,
    TagAendern,
    TagBildLaden = 3161,
    TagBildLoeschen,
    TagDruckVonBild,
    TagAuswahlDruck,
    TagRegistrierung2,
    TagRegistrierung3,
    TagGestorben,
    TagGekauftAm,
    TagPreis,
    TagVerkauftAm,
    TagInfo,
    TagEigeneInfo,
    TagHinzufuegen,
    TagLoeschen,
    TagKuerzel,
    TagMerkmal,
    TagRichten = 3177, // the three judging systems follow: 3178..3180
    TagDatum = 3181,
    TagAusstellungsort,
    TagVerein,
    TagRichter,
    TagBewertung,
    TagAusstellungsbewertung,
    TagDokumentLaden,
    TagDokumentAnsehen,
    TagText,
    TagPfad,
    TagWesen = 3191,
    TagGesundheit,
    TagExterieur,
    TagWeiteres,
    TagSumme,
    TagPunkte,
    TagBildMemo,
    TagAgouti = 3198,
    TagVerduennung,
    TagSpeichernZurueck = 4865 // the save button during the entry of a missing parent
};

// A button and a label with the caption tag their text comes from.
QPushButton *knopfMitTag(int tag, const QString &text, QWidget *parent);
QLabel *textMitTag(int tag, const QString &text, QWidget *parent);
// The caption tags of a grid's column titles, one per column (0: none).
void spaltenTags(tav::widgets::DBGrid *grid, const QList<int> &tags);

// Shows the picture at `pfad` in `ziel` within `panel` less `rand` (scaled to fit when `anpassen` or
// the settings say so); hides `ziel` when the file is no picture.
void BildanGroesseAnpassen(QLabel *ziel, const QString &pfad, QWidget *panel, int rand, bool anpassen);

// Runs the window's checks before the cat is posted (messages 217, 148, 169), ahead of the save
// question of the data source.
class PostCheck : public QWidget, public tav::widgets::DataControl
{
  public:
    explicit PostCheck(TCatStamm *window);
    void readField() override {}
    bool commit() override;

  protected:
    QWidget *widget() override { return this; }

  private:
    TCatStamm *m_window;
};

} // namespace tav::cats::ui
