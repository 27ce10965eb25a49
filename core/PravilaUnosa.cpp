#include "core/PravilaUnosa.h"

namespace PravilaUnosa {

const char *const porukaPreseka
    = "U polje za unos vrednosti promenljive X mora biti unesen decimalan broj cija se vrednost "
      "krece izmedu nule i velicine raspona grede!";

const char *const pocetniPresek = "0";

const char *const pocetniBrojPolja = "10";

bool presekPrihvacen(std::optional<double> x, double L)
{
    return x && L >= *x;
}

bool brojPoljaPrihvacen(std::optional<double> n)
{
    return n && *n != 0.0;
}

} // namespace PravilaUnosa
