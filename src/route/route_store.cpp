// The route store's reset and point access.
#include "route/route_store.h"

#include <cstring>

namespace rw {

void RouteStore::Reset()
{
    const int built = RouteBuilt;
    const int unsaved = RouteUnsaved;
    std::memset(static_cast<void*>(this), 0, sizeof(*this));
    RouteBuilt = built;
    RouteUnsaved = unsaved;
}

const RoutePoint* RouteStore::PointAt(std::uint32_t leg, std::uint32_t index) const
{
    if (leg >= kMaxLegs || index >= kMaxLegPoints || index >= legInfo[leg].pointCount) {
        return nullptr;
    }
    return &legs[leg].points[index];
}

RoutePoint* RouteStore::PointAt(std::uint32_t leg, std::uint32_t index)
{
    return const_cast<RoutePoint*>(static_cast<const RouteStore&>(*this).PointAt(leg, index));
}

const RoutePoint* RouteStore::DeparturePoint(std::uint32_t leg) const
{
    return PointAt(leg, 0);
}

const RoutePoint* RouteStore::DestinationPoint(std::uint32_t leg) const
{
    if (leg >= kMaxLegs || legInfo[leg].pointCount == 0) {
        return nullptr;
    }
    return PointAt(leg, legInfo[leg].pointCount - 1);
}

void ClearPoint(RoutePoint& point)
{
    std::memset(static_cast<void*>(&point), 0, sizeof(point));
}

}  // namespace rw
