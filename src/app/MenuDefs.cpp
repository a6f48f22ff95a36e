#include "MenuDefs.h"

namespace tav::app {

namespace {
using M = MenuItemDef;
constexpr int B = M::Blocked, X = M::Exclusive, L = M::HidesList, H = M::Hidden, HL = M::HiddenByLanguage,
              N = M::NoAction, S = M::Separator;
} // namespace

// clang-format off
const QVector<MenuItemDef> &menuItems()
{
    static const QVector<MenuItemDef> items = {
        // menu                  name                         caption                          tag    command               flags      tool button        tool hint                tool tag job help window
        {"",                     "KatzenMenu",                "&Katze",                        96,   "",                   0,         nullptr,           nullptr,                 0,  0, 1},
        {"KatzenMenu",           "KatzeNeuItem",              "&Neuaufnahme",                  97,   "katzeNeu",           B,         "SpeedButton1",    "Neue Katze anlegen",    170, 0, 1},
        {"KatzenMenu",           "Katzekopieren1",            "&Duplizieren",                  690,  "katzeKopieren",      B,         "SpeedButtonKopie", "Tier duplizieren",     187, 0, 1},
        {"KatzenMenu",           "FileSaveItem",              "Suchen",                        98,   "katzeSuchen",        M::SearchBlocked, "SpeedButton2", "Katze suchen",      171, 0, 1},
        {"KatzenMenu",           "FileSaveAsItem",            "S&peichern",                    99,   "katzeSpeichern",     B,         nullptr,           nullptr,                 0,  0, 1},
        {"KatzenMenu",           "loeschen",                  "Katze Löschen",                 100,  "katzeLoeschen",      B,         nullptr,           nullptr,                 0,  0, 1},
        {"KatzenMenu",           "TitelLschen1",              "&Titel Löschen",                101,  "titelLoeschen",      B | H},
        {"KatzenMenu",           "Nachkommen1",               "Nachkommen",                    710,  "",                   0},
        {"Nachkommen1",          "DatenderNachkommen1",       "Direkte Nachkommen",            1196, "window",             B,         nullptr, nullptr, 0, 0, 0, "formnachkommen"},
        {"Nachkommen1",          "ListederNachkommen2",       "Gesamte Nachkommen",            1195, "window",             B,         nullptr, nullptr, 0, 0, 0, "formlistenachkommen"},
        {"KatzenMenu",           "Stammbaumlang1",            "8 Generationen Stammbaum",      931,  "window",             B | X | L, nullptr, nullptr, 0, 0, 0, "formstammbaum"},
        {"KatzenMenu",           "VerpaarungenundWuerfe1",    "Verpaarungen und Würfe",        1161, "window",             B,         "Verpaarungen1",   nullptr,                 1315, 0, 0, "formverpaarung"},
        {"KatzenMenu",           "N1",                        "-",                             0,    "",                   S},
        {"KatzenMenu",           "N2",                        "-",                             0,    "",                   S},
        {"KatzenMenu",           "FileExitItem",              "&Beenden",                      102,  "beenden",            B,         "SpeedButton6",    "ENDE",                  102},

        {"",                     "Infobox1",                  "&Infobox",                      9101,    "",                   0,         nullptr, nullptr, 0, 0, 29},
        {"Infobox1",             "Zwingerregister1",          "&Zwingerregister",              106,  "window",             X | L | HL, "SpeedButton12",  nullptr, 178, 0, 20, "formzwingerregister"},
        {"Infobox1",             "Zwingerregisterprivat1",    "Z&wingerregister Privat",       107,  "window",             X | L,     "SpeedButton10",   nullptr, 177, 0, 25, "formzwingerregisterprivat"},
        {"Infobox1",             "Katzennamen1",              "&Katzennamen",                  108,  "window",             X | L,     nullptr,           nullptr, 0, 0, 30, "formkatzennamen"},
        {"Infobox1",             "Vereine1",                  "&Vereine",                      109,  "window",             X | L,     "SpeedButton13",   nullptr, 179, 0, 40, "formvereine"},
        {"Infobox1",             "Ausstellungstermine1",      "&Ausstellungstermine",          110,  "window",             X | L,     "SpeedButton14",   nullptr, 180, 0, 50, "formausstellungstermine"},

        {"",                     "Statistik",                 "Statistiken",                   1098, ""},
        {"Statistik",            "Stammbaumstatistik1",       "Stammbaumstatistik",            1124, "",                   H | N},
        {"Statistik",            "Merkmale2",                 "Merkmale aller Tiere",          929,  "window",             X | L,     nullptr, nullptr, 0, 0, 0, "formstatistikmerkmaledatei"},
        {"Statistik",            "MerkmaleeinesStammbaumes1", "Merkmale eines Stammbaumes",    930,  "window",             0,         nullptr, nullptr, 0, 0, 0, "formstatistikmerkmalestammbaum"},

        {"",                     "Sonstiges1",                "&Büro",                         114,  ""},
        {"Sonstiges1",           "Buchfhrung1",               "B&uchführung",                  115,  "window",             X | L,     "SpeedButton17",   nullptr, 183, 0, 60, "formbuchfuehrung"},
        {"Sonstiges1",           "Textverarbeitung1",         "&Textverarbeitung",             116,  "textverarbeitung",   0,         "SpeedButton18",   nullptr, 184},

        {"",                     "Genmodul1",                 "&Genetik-Modul",                111,  ""},
        {"Genmodul1",            "Genetik1",                  "&Genetik",                      112,  "",                   HL | N,    "SpeedButton15",   nullptr, 181},
        {"Genmodul1",            "Inzuchtgrad1",              "&Inzuchtgrad",                  113,  "inzuchtgrad",        B,         "SpeedButton16",   nullptr, 182, 0, 0, "forminzuchtgrad"},
        {"Genmodul1",            "Deckplaner1",               "&Deckplaner",                   7601, "window",             B,         nullptr, nullptr, 0, 0, 0, "formdeckplaner"},
        {"Genmodul1",            "Gentabelle1",               "G&entabelle",                   140,  "",                   N},
        {"Genmodul1",            "FarbGencodes1",             "&Farb-/Gencodes",               141,  "",                   N},

        {"",                     "Systemverwaltung1",         "&System",                       117,  "",                   0,         nullptr, nullptr, 0, 0, 69},
        {"Systemverwaltung1",    "Systemverwaltung2",         "&Systemverwaltung",             118,  ""},
        {"Systemverwaltung2",    "Systemparameter2",          "&Systemparameter",              121,  "window",             B,         nullptr, nullptr, 0, 0, 70, "foptionen"},
        {"Systemverwaltung2",    "Anwenderdaten2",            "&Anwenderdaten",                122,  "window",             B,         nullptr, nullptr, 0, 0, 80, "anwenderdaten"},
        {"Systemverwaltung1",    "Datenverwaltung1",          "Datenverwaltung",               119,  ""},
        {"Datenverwaltung1",     "Rassen1",                   "&Rassen",                       123,  "window",             0,         "SpeedButton7",    " Rassen",               172, 0, 90, "rassen"},
        {"Datenverwaltung1",     "Farben1",                   "&Farben",                       124,  "window",             0,         "SpeedButton8",    "Fellfarbe",             173, 0, 100, "farbeform"},
        {"Datenverwaltung1",     "Augenfarben1",              "&Augenfarben",                  125,  "window",             0,         "SpeedButton9",    " Augenfarbe",           174, 0, 110, "augenfarbeform"},
        {"Datenverwaltung1",     "Fellart1",                  "Fellart",                       11089, "window",            0,         nullptr, nullptr, 0, 0, 0, "fellartform"},
        {"Datenverwaltung1",     "Titel1",                    "&Titel",                        600,  "window",             0,         nullptr, nullptr, 0, 0, 0, "titelhundform"},
        {"Datenverwaltung1",     "Status1",                   "&Status",                       126,  "window",             0,         nullptr, nullptr, 0, 0, 120, "statusform"},
        {"Datenverwaltung1",     "Merkmale1",                 "Merkmale",                      874,  "window",             0,         nullptr, nullptr, 0, 0, 0, "formmerkmale"},
        {"Datenverwaltung1",     "TopKatzen1",                "Top Katzen",                    878,  "window",             0,         nullptr, nullptr, 0, 0, 0, "formtopkatzen"},
        {"Datenverwaltung1",     "FarbeDruckDoppelte1",       "Farben Stammbaumdruck",         1081, "window",             0,         nullptr, nullptr, 0, 0, 0, "stbfarbeform"},
        {"Systemverwaltung1",    "Adresenverwaltung1",        "&Adressenverwaltung",           127,  "window",             X | L,     "SpeedButton11",   nullptr, 176, 0, 130, "adressenverwaltung"},
        {"Systemverwaltung1",    "StatusAdressen1",           "Status Adressen",               1011, "window",             0,         nullptr, nullptr, 0, 0, 0, "formstatusadressen"},
        {"Systemverwaltung1",    "Apotheke1",                 "Apotheke",                      128,  "window",             0,         "SpeedButton3",    nullptr, 175, 0, 140, "formapotheke"},
        {"Systemverwaltung1",    "Terminplaner1",             "Terminplaner",                  129,  "",                   H | N},
        {"Systemverwaltung1",    "Abkuerzungen1",             "Abkürzungen",                   0,    "",                   H | N},
        {"Systemverwaltung1",    "Tierdatenbankeditieren1",   "Tierdatenbank editieren",       1587, "window",             B | X | L, nullptr, nullptr, 0, 0, 0, "formonlinedbinterface"},
        {"Systemverwaltung1",    "DatenexportCSVDatei1",      "Datenexport -> CSV- Datei",     162,  "window",             B | X | L, nullptr, nullptr, 0, 0, 0, "formonlinedbinterface"},
        {"Systemverwaltung1",    "Datensicherung1",           "Datensicherung",                160,  "window",             B,         nullptr, nullptr, 0, 0, 0, "formdatensicherung"},
        {"Systemverwaltung1",    "Datenrcksicherung1",        "Datenrücksicherung",            1095, "window",             B,         nullptr, nullptr, 0, 0, 0, "formdatenruecksicherung"},
        {"Systemverwaltung1",    "Indexrekonstruktion1",      "Indexrekonstruktion",           161,  "window",             B,         nullptr, nullptr, 0, 0, 0, "formindexrekonstruktion"},
        {"Systemverwaltung1",    "Registerpruefung1",         "Registerprüfung",               7749, "window",             B,         nullptr, nullptr, 0, 0, 7790, "formregisterpruefung"},

        {"",                     "Drucken1",                  "&Drucker",                      130,  "",                   0,         nullptr, nullptr, 0, 0, 150},
        {"Drucken1",             "FilePrintItem",             "&Drucken",                      131,  "drucken",            B,         "SpeedButton4",    nullptr, 185},
        {"Drucken1",             "FilePrintSetupItem",        "Drucker&einrichtung...",        132,  "druckereinrichtung", 0},
        {"Drucken1",             "Schriftart1",               "&Schriftart",                   133,  "schriftart",         0},
        {"Drucken1",             "Katzendaten1",              "Katzendaten",                   756,  "druckjob",           B,         nullptr, nullptr, 0, 1},
        {"Drucken1",             "KatzendatenListe1",         "Katzendaten - Liste",           723,  "druckjob",           B,         nullptr, nullptr, 0, 9},
        {"Drucken1",             "Stammbaum1",                "Stammbaum (deutsch)",           134,  "stammbaumdruck",     B},
        {"Drucken1",             "Stammbaum2",                "Stammbaum (english)",           139,  "stammbaumdruckEn",   B},
        {"Drucken1",             "StammbaumStb",              "Stb.",                          0,    "stammbaumdruck",     B | H,     "SpeedButton19",   "Stb.",                  9075},
        {"Drucken1",             "Wurfmeldung1",              "Wurfmeldung",                   135,  "druckjob",           B | HL,    nullptr, nullptr, 0, 3},
        {"Drucken1",             "Ausstellungen1",            "Ausstellungen",                 52,   ""},
        {"Ausstellungen1",       "TradRichten1",              "Trad. Richten",                 724,  "druckjob",           B,         nullptr, nullptr, 0, 7},
        {"Ausstellungen1",       "TICARichten1",              "TICA-Richten",                  725,  "druckjob",           B,         nullptr, nullptr, 0, 8},
        {"Ausstellungen1",       "CFARichten1",               "CFA-Richten",                   1097, "druckjob",           B,         nullptr, nullptr, 0, 11},
        {"Drucken1",             "Ausstellungsanmeldung1",    "Ausstellungsanmeldung",         136,  "druckjob",           B | HL,    nullptr, nullptr, 0, 4},
        {"Drucken1",             "AusstellungsanmeldungCFA",  "Ausstellungsanmeldung CFA",     1096, "druckjob",           B,         nullptr, nullptr, 0, 10},
        {"Drucken1",             "Wurfbuch",                  "Wurfbuch",                      137,  ""},
        {"Wurfbuch",             "Wurfdaten1",                "Wurfdaten",                     1200, "druckjob",           B,         nullptr, nullptr, 0, 13},
        {"Wurfbuch",             "Gewichtstabelle",           "Gewichtstabelle",               1087, "druckjob",           B,         nullptr, nullptr, 0, 6},
        {"Drucken1",             "Deckbuch",                  "Deckbuch",                      1639, "druckjob",           B,         nullptr, nullptr, 0, 15},
        {"Drucken1",             "Deckschein",                "Deckschein",                    1640, "druckjob",           B,         nullptr, nullptr, 0, 16},

        {"",                     "Internet",                  "Inte&rnet",                     9102,    "",                   0,         nullptr, nullptr, 0, 0, 199},
        {"Internet",             "HTMLStb",                   "HTML-Stammbaum erstellen",      142,  "window",             B,         nullptr, nullptr, 0, 0, 0, "formhtmlstammbaum"},
        {"Internet",             "UploadKatzendaten1",        "Online - Datenbank",            1309, "window",             B | X | L, nullptr, nullptr, 0, 0, 0, "formonlinedbinterface"},

        {"",                     "Fenster1",                  "&Fenster",                      150,  ""},
        {"Fenster1",             "bereinander1",              "&Übereinander",                 151,  "uebereinander"},
        {"Fenster1",             "Symboleanordnen1",          "&Symbole anordnen",             152,  "symboleanordnen"},

        {"",                     "HelpMenu",                  "&Hilfe",                        22,   ""},
        {"HelpMenu",             "HelpContentsItem",          "&Inhalt",                       153,  "hilfe",              0,         "SpeedButton5",    nullptr, 186, 0, 1001},
        {"HelpMenu",             "HelpAboutItem",             "Inf&o...",                      156,  "window",             0,         nullptr, nullptr, 0, 0, 0, "aboutbox"},
    };
    return items;
}
// clang-format on

const MenuItemDef *findMenuItem(const QString &name)
{
    for (const MenuItemDef &m : menuItems()) {
        if (name == QLatin1String(m.name))
            return &m;
    }
    return nullptr;
}

} // namespace tav::app
