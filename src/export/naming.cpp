// Generated plan names and the extension rule.
#include "export/naming.h"

#include <string>

#include "common/paths.h"
#include "export/export_kind.h"
#include "resources/resource.h"

namespace rw {

bool IsFolderSeparator(char c)
{
#if defined(_WIN32)
    return c == '\\' || c == '/';
#else
    return c == kPathSeparator;
#endif
}

std::size_t FileNameStart(std::string_view path)
{
    for (std::size_t i = path.size(); i > 0; --i) {
        const char c = path[i - 1];
#if defined(_WIN32)
        if (c == ':') {
            return i;
        }
#endif
        if (IsFolderSeparator(c)) {
            return i;
        }
    }
    return 0;
}

void ReplaceExtension(PathText& text, std::string_view extension)
{
    const std::string_view whole = text.view();
    const std::size_t dot = whole.find_last_of('.');
    if (dot == std::string_view::npos || dot < FileNameStart(whole)) {
        return;
    }
    std::string replaced(whole.substr(0, dot));
    replaced += extension;
    text = replaced;
}

void MakePlanFileName(Context& context, std::string_view folder, PathText& path, PathText& name,
                      int kind)
{
    AppState& state = context.state;
    // folder may be a view into path itself: take it before path changes.
    std::string full(folder);
    if (full.empty() || !IsFolderSeparator(full.back())) {
        full += kPathSeparator;
    }

    const RouteStore& route = state.route;
    const RoutePoint* first = route.DeparturePoint(route.currentLeg);
    const RoutePoint* last = route.DestinationPoint(route.currentLeg);
    const auto ident = [](const RoutePoint* p) { return p ? p->ident.view() : std::string_view(); };
    const auto airport = [](const RoutePoint* p) {
        return p ? p->name.view() : std::string_view();
    };
    switch (state.settings.Startup.Autogen) {
        case 0:
            // The source plan's name goes to destTitle, not to the name passed:
            // a bulk save keeps the name it took from the destination field.
            state.destTitle = state.sourceTitle.view();
            break;
        case 1: name = std::string(ident(first)) + "-" + std::string(ident(last)) + "."; break;
        case 2:
            name = std::string(airport(first)) + " to " + std::string(airport(last)) + ".";
            break;
        default: break;
    }

    ReplaceExtension(name, PlanExtension(kind));
    full += name.view();
    path = full;
}

void NameDestinationPlan(Context& context)
{
    AppState& state = context.state;
    if (state.settings.Startup.Autogen != kAutogenNone) {
        MakePlanFileName(context, state.settings.DefDestDir.Pathname.view(), state.destPath,
                         state.destTitle, state.settings.Startup.FilterIndex);
    }
    context.window.SetText(IDC_DEST_PATH, state.destPath.view());
}

}  // namespace rw
