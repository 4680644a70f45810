// The transverse Mercator projection on the ellipsoid, as power series about
// a central meridian; no zone, false offsets or landscape grid (see utm.h).
#pragma once

namespace tarvel::tm {

// Projection coordinates relative to the central meridian and the equator,
// kilometres: east of the central meridian is positive, north of the equator
// is positive; scaled by the central scale factor.
struct PlaneKm {
  double x;
  double y;
};

// Geographic coordinates, radians: latitude, and longitude counted from the
// central meridian (east positive).
struct GeoRad {
  double phi;
  double dlam;
};

PlaneKm forward(double phi, double dlam);
GeoRad inverse(double x, double y);

}  // namespace tarvel::tm
