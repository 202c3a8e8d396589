#include "platform/ui/ApplicationMain.h"

#include "platform/foundation/RunLoop.h"
#include "platform/ui/Application.h"

namespace ui {

int ApplicationMain(int, char**, const std::string&, const std::string& delegateClassName,
                    const ns::Value& launchOptions) {
    auto delegate = ApplicationDelegateRegistry::create(delegateClassName);
    if (!delegate) return 1;
    auto app = Application::sharedApplication();
    app->setDelegate(delegate);
    app->launch(launchOptions);
    ns::RunLoop::main()->run();
    return 0;
}

}  // namespace ui
