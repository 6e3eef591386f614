#include "app/input_dispatch.h"

#include <cmath>

#include "app/modes_table.h"
#include "modes/error_report.h"
#include "modes/find_factors.h"
#include "modes/find_gcd_hcf.h"
#include "modes/find_multiples.h"
#include "modes/number_reading.h"
#include "modes/number_text.h"
#include "modes/square_roots.h"

namespace tavrel {

void collectNumber(Form& form)
{
    Result<double> read = readLenient(form.Text1.text());
    if (!read)
        return;
    if (!form.List2.append(numberToText(std::floor(*read))))
        return;  // a full list keeps the number in the box
    form.Text1.setText("");
}

void Text1_Enter(Form& form)
{
    ResultsList::Batch batch(form.List2);
    if (form.List2.line(0) == kErrorMarker)
        form.List2.clear();
    switch (form.vars.LastMode) {
    case ModeFactors: FindFactors(form); break;
    case ModeMultiples: FindMultiples(form); break;
    case ModeGcdHcf: collectNumber(form); break;
    case ModeSquareRoots: SquareRoots(form); break;
    default: break;
    }
}

void cmdOK_Click(Form& form)
{
    ResultsList::Batch batch(form.List2);
    switch (form.vars.LastMode) {
    case ModeFactors: FindFactors(form); break;
    case ModeMultiples: FindMultiples(form); break;
    case ModeGcdHcf: FindGcdHcf(form); break;
    case ModeSquareRoots: SquareRoots(form); break;
    default: break;
    }
}

}  // namespace tavrel
