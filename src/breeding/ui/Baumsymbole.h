// Baumsymbole: the small symbols before the nodes of the breeding windows' trees.
#pragma once

#include <QIcon>

namespace tav::breeding::ui {

enum class Baumsymbol { Weiblich, Maennlich, Leer, Wurf };

QIcon baumsymbol(Baumsymbol s);

} // namespace tav::breeding::ui
