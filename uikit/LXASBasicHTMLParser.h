// A few HTML tags as styles: <b>, <u>, <i>, <font name='…' size='…'>,
// <font color='…'> and <a href='…'> (single or double quotes, matching).
#pragma once

#include "uikit/LXASMarkupParserBase.h"

class LXASBasicHTMLParser : public LXASMarkupParserBase {
public:
    TagMappings tagMappings() const override;
};
