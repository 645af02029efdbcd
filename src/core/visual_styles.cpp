// The library's activation context, made from its own manifest resource.
#include "core/visual_styles.h"

#include "core/module_instance.h"

namespace mv {

namespace {

// Desktop.VisualStyles: each apartment thread has its own (reset by each Desktop it creates).
thread_local bool t_on = true;

// The one context of the process; ReleaseActCtx when the library unloads.
class ActivationContext {
public:
    ActivationContext() {
        ACTCTXW request{};
        request.cbSize = sizeof request;
        request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.hModule = ModuleInstance();
        request.lpResourceName = MAKEINTRESOURCEW(2);  // ISOLATIONAWARE_MANIFEST_RESOURCE_ID
        context_ = CreateActCtxW(&request);
    }
    ActivationContext(const ActivationContext&) = delete;
    ActivationContext& operator=(const ActivationContext&) = delete;
    ~ActivationContext() {
        if (valid()) ReleaseActCtx(context_);
    }

    bool valid() const { return context_ != INVALID_HANDLE_VALUE && context_ != nullptr; }
    HANDLE get() const { return context_; }

private:
    HANDLE context_;
};

const ActivationContext& LibraryContext() {
    static const ActivationContext context;
    return context;
}

}  // namespace

bool VisualStylesOn() { return t_on; }
void SetVisualStylesOn(bool on) { t_on = on; }

VisualStyleScope::VisualStyleScope() {
    if (!t_on) return;
    const ActivationContext& context = LibraryContext();
    active_ = context.valid() && ActivateActCtx(context.get(), &cookie_);
}

VisualStyleScope::~VisualStyleScope() {
    if (active_) DeactivateActCtx(0, cookie_);
}

}  // namespace mv
