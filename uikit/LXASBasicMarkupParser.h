// Plain-text markup as styles: *bold*, _underlined_, |italic|, `monospace`,
// {colour|text} and [text](URL).
#pragma once

#include "uikit/LXASMarkupParserBase.h"

class LXASBasicMarkupParser : public LXASMarkupParserBase {
public:
    TagMappings tagMappings() const override;
};
