// Hears the time chosen in the time picker; the receiver reads the
// picker's isOpen to know whether it is the on time or the off time.
#pragma once

#include "platform/foundation/Date.h"

class TAVODatePickerViewController;

class TAVODatePickerViewControllerDelegate {
public:
    virtual ~TAVODatePickerViewControllerDelegate() = default;
    // Optional.
    virtual void dateIsSet(const ns::Date& /*date*/, TAVODatePickerViewController& /*picker*/) {}
};
