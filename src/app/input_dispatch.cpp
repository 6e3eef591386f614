// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/input_dispatch.h"

#include "modes/error_report.h"
#include "modes/find_factors.h"
#include "modes/find_gcd_hcf.h"
#include "modes/find_multiples.h"
#include "modes/square_roots.h"

namespace tavrel {

namespace {

// Enter and OK run the same modes, except in Find GCD/HCF.
void runMode(Window& window, void (*gcdHcf)(Window&))
{
    switch (window.settings.mode) {
    case Mode::Factors: findFactors(window); break;
    case Mode::Multiples: findMultiples(window); break;
    case Mode::GcdHcf: gcdHcf(window); break;
    case Mode::SquareRoots: squareRoots(window); break;
    case Mode::Lcm: break;
    }
}

}  // namespace

void pressEnter(Window& window)
{
    ResultsList::Batch batch(window.list);
    if (window.list.line(0) == kErrorMarker)
        window.list.clear();
    runMode(window, collectNumber);
}

void pressOk(Window& window)
{
    ResultsList::Batch batch(window.list);
    runMode(window, findGcdHcf);
}

}  // namespace tavrel
