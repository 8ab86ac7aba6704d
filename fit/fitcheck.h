#pragma once
// The fit check: the stories a run made longer laid out in their boxes with
// the fonts installed (or their metric-compatible twins), before and after,
// to tell which text no longer fits. QtGui; the engine hands it the
// publications through pubengine::FitChecker.
#include "pubengine/fitcheck.h"
#include "pubengine/storylayout.h"

#include <QString>

#include <memory>
#include <optional>
#include <string_view>

namespace vantrelle::fit {

// A story laid out through its chain of boxes.
struct Measure {
    // Empty when it could be laid out; otherwise why not, in plain words.
    QString unchecked;
    // Lines that found no room in the last box.
    int overflowLines = 0;
    // How far the text reaches past the last box's bottom edge, in points;
    // negative: the room left.
    double excess = 0;
    // The tallest line, in points: what "about a line" means for this story.
    double lineHeight = 0;
    // The page of the last box.
    int page = 0;
};

Measure measureStory(std::u16string_view text, const pubengine::StoryLayout &layout);

// The family installed for a publication's font name: itself, or its
// metric-compatible twin; empty when neither is installed.
QString installedFamily(const QString &name);

// The characters of added that the format's font (or its twin) cannot draw
// ("Arial has no “Ж”"); empty when it draws them all.
QString missingCharacters(const pubengine::CharFormat &format, std::u16string_view added);

// The note on a story grown from before to after, if it has one to say.
std::optional<automation::FitNote> judge(int story, const Measure &before, const Measure &after,
                                         const pubengine::StoryLayout &layout);

// The checker the program gives the engine's server.
std::shared_ptr<const pubengine::FitChecker> makeFitChecker();

} // namespace vantrelle::fit
