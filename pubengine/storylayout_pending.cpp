#include "pubengine/publication.h"
#include "pubengine/storylayout.h"

#include "pubengine/enginetext.h"

namespace vantrelle::pubengine {

// Until the reader of boxes is built in, every story says it cannot be read,
// so the fit check answers "could not check" rather than guessing.
std::vector<StoryLayout> storyLayouts(const Publication &publication)
{
    std::vector<StoryLayout> layouts(publication.storyCount());
    for (std::size_t k = 0; k < layouts.size(); ++k) {
        layouts[k].story = k;
        layouts[k].unreadable = EngineText::tr("its boxes cannot be read yet");
    }
    return layouts;
}

} // namespace vantrelle::pubengine
