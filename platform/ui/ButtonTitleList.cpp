#include "platform/ui/ButtonTitleList.h"

#include <algorithm>

namespace ui {

long ButtonTitleList::add(const std::string& title) {
    titles_.push_back(title);
    return count() - 1;
}

std::string ButtonTitleList::titleAt(long index) const {
    if (index < 0 || index >= count()) return "";
    return titles_[static_cast<std::size_t>(index)];
}

long ButtonTitleList::firstIndexOtherThan(std::initializer_list<long> special) const {
    for (long i = 0; i < count(); ++i)
        if (std::find(special.begin(), special.end(), i) == special.end()) return i;
    return -1;
}

}  // namespace ui
