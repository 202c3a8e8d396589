// Texts, actions and icons for the router's WAN fault ("breakdown") codes,
// and the texts of the server codes the dashboard shows.
#pragma once

#include <memory>
#include <optional>
#include <string>

namespace ui {
class Image;
}

class TAVORouterErrorUtility {
public:
    // Router WAN fault codes lie in -1000..1000, unlike six-digit application codes.
    static bool isBreakdownError(int code);
    // Faults the user can try to repair from the dashboard.
    static bool isRecoveryBreakdownError(int code);
    static bool canCheckDetailInfo(int code);
    static std::string textDescForBreakdownError(int code);
    // The action text, or nothing.
    static std::optional<std::string> operationDescForBreakdownError(int code);
    static std::string detailDescForBreakdownError(int code);
    // The fault's icon (the image getter's).
    static std::shared_ptr<ui::Image> imageForBreakdownError(int code);
    // The text of an application code, or "" for codes without one.
    static std::string getErrorMsgByErrorCode(int code);
};
