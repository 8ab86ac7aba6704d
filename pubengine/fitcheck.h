#pragma once
// The engine's seam for the fit check: laying text out needs fonts, which
// the engine (QtCore only) has not, so the program hands the server a
// checker made above it (fit/).
#include "shell/automation.h"

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

namespace vantrelle::pubengine {

class Publication;

class FitChecker {
public:
    virtual ~FitChecker() = default;
    // The stories of grown (indices, ascending) laid out in before and in
    // after. Never throws: what cannot be checked is a note saying why.
    // May be called from several threads at once.
    virtual QList<automation::FitNote> check(const Publication &before, const Publication &after,
                                             const std::vector<std::size_t> &grown) const = 0;
    // The same, with the publication as it was opened read only when a
    // story's new text comes near its box's edge (most do not), and the
    // stories' texts as they were given.
    using Opened = std::function<const Publication &()>;
    virtual QList<automation::FitNote> checkAsOpened(const std::vector<std::u16string> &textsBefore,
                                                     const Opened &before, const Publication &after,
                                                     const std::vector<std::size_t> &grown) const
    {
        (void)textsBefore;
        return check(before(), after, grown);
    }
};

} // namespace vantrelle::pubengine
