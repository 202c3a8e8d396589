#include "screens/wifi/TAVORouterInfoStringConverter.h"

#include <array>

namespace {

constexpr const char* kAuto = "自动";
constexpr std::array<int, 6> kFivegChannels{0, 149, 153, 157, 161, 165};

std::string channelString(int channel) {
    if (channel == -1) return "";
    if (channel == 0) return kAuto;
    return "当前" + std::to_string(channel) + "信道";
}

}  // namespace

const std::vector<std::string>& TAVORouterInfoStringConverter::twogChannelArray() {
    static const std::vector<std::string> labels = [] {
        std::vector<std::string> l{kAuto};
        for (int channel = 1; channel <= 13; ++channel) l.push_back("信道" + std::to_string(channel));
        return l;
    }();
    return labels;
}

const std::vector<std::string>& TAVORouterInfoStringConverter::fivegChannelArray() {
    static const std::vector<std::string> labels = [] {
        std::vector<std::string> l{kAuto};
        for (std::size_t i = 1; i < kFivegChannels.size(); ++i) l.push_back("信道" + std::to_string(kFivegChannels[i]));
        return l;
    }();
    return labels;
}

const std::vector<std::string>& TAVORouterInfoStringConverter::bandWidthArry() {
    static const std::vector<std::string> labels{"20MHz", "40MHz", kAuto};
    return labels;
}

std::string TAVORouterInfoStringConverter::getTwogChannelStringByIndex(int channel) { return channelString(channel); }

std::string TAVORouterInfoStringConverter::getFivegChannelStringByIndex(int channel) { return channelString(channel); }

std::string TAVORouterInfoStringConverter::getBandWidthStringByIndex(int bandWidth) {
    const auto& labels = bandWidthArry();
    if (bandWidth < 0 || bandWidth >= static_cast<int>(labels.size())) return "";
    return labels[static_cast<std::size_t>(bandWidth)];
}

int TAVORouterInfoStringConverter::getViewFivegIndexByServerIndex(int channel) {
    for (std::size_t i = 1; i < kFivegChannels.size(); ++i)
        if (kFivegChannels[i] == channel) return static_cast<int>(i);
    return 0;
}

int TAVORouterInfoStringConverter::getServerFivegIndexByViewIndex(int viewIndex) {
    if (viewIndex < 0 || viewIndex >= static_cast<int>(kFivegChannels.size())) return 0;
    return kFivegChannels[static_cast<std::size_t>(viewIndex)];
}
