// The channel quality of both Wi-Fi bands as the dashboard reads it from the
// router status: a channel number and a level (1 best to 4 worst, 0 no
// value) per band.
#pragma once

struct ChannelLevelInfo {
    int channel_24 = 0;
    int levelFor24 = 0;
    int channel_50 = 0;
    int levelFor50 = 0;

    // Both bands carry a level.
    bool isValidLevelInfo() const { return levelFor24 != 0 && levelFor50 != 0; }
    // Same levels on both bands, and this record names a channel: a record
    // without any channel equals nothing, so it never hides a fresh one.
    // The channel numbers themselves are not compared.
    bool isEqual(const ChannelLevelInfo& other) const {
        if (channel_24 == 0 && channel_50 == 0) return false;
        return levelFor24 == other.levelFor24 && levelFor50 == other.levelFor50;
    }
    // The worse of the two bands decides the dashboard's colour.
    int worseLevel() const { return levelFor24 > levelFor50 ? levelFor24 : levelFor50; }
};
