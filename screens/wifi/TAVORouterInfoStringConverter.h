// The labels of the Wi-Fi channel and bandwidth choices, and the mapping
// between the 5 GHz choice list's rows and the channel numbers the router
// takes. The 2.4 GHz list's row is the channel number itself, the
// bandwidth list's row the router's bandwidth value.
#pragma once

#include <string>
#include <vector>

class TAVORouterInfoStringConverter {
public:
    TAVORouterInfoStringConverter() = delete;

    static const std::vector<std::string>& twogChannelArray();
    static const std::vector<std::string>& fivegChannelArray();
    static const std::vector<std::string>& bandWidthArry();

    // -1 (nothing known): ""; 0: "自动"; any other channel: "当前<n>信道".
    static std::string getTwogChannelStringByIndex(int channel);
    static std::string getFivegChannelStringByIndex(int channel);
    // -1 and values outside the list: ""; else the list's label.
    static std::string getBandWidthStringByIndex(int bandWidth);

    // A 5 GHz channel number to its row (an unknown channel: the "自动" row).
    static int getViewFivegIndexByServerIndex(int channel);
    // A 5 GHz row to its channel number (an unknown row: 0, automatic).
    static int getServerFivegIndexByViewIndex(int viewIndex);
};
