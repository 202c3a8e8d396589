// The common step between the router screens and the list screens; it adds
// nothing of its own.
#pragma once

#include "widgets/TAVOWIFIViewControler.h"

class TAVOBaseRefreshViewController : public TAVOWIFIViewControler {
public:
    using TAVOWIFIViewControler::TAVOWIFIViewControler;
};
