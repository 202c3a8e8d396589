// Settings shared by text fields and text views: the Return key's label,
// the keyboard, capitalisation, correction and secure entry.
#pragma once

namespace ui {

// The platform's Return key numbers (Next 4, Done 9).
enum class ReturnKeyType { Default = 0, Go = 1, Google = 2, Join = 3, Next = 4, Route = 5, Search = 6, Send = 7,
                           Yahoo = 8, Done = 9, EmergencyCall = 10 };
enum class KeyboardType { Default = 0, ASCIICapable = 1, NumbersAndPunctuation = 2, URL = 3, NumberPad = 4,
                          PhonePad = 5, NamePhonePad = 6, EmailAddress = 7, DecimalPad = 8 };

struct TextInputTraits {
    ReturnKeyType returnKeyType = ReturnKeyType::Default;
    KeyboardType keyboardType = KeyboardType::Default;
    int autocapitalizationType = 2;  // sentences
    int autocorrectionType = 0;
    int keyboardAppearance = 0;
    bool secureTextEntry = false;
    bool enablesReturnKeyAutomatically = false;
};

}  // namespace ui
