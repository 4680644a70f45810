// Transverse Mercator, ellipsoidal form, by the power series of J. P. Snyder,
// "Map Projections: A Working Manual" (USGS Professional Paper 1395, 1987): the
// forward series in A = cos(phi) * dlam with the meridian arc M, and the
// inverse series in D about the footpoint latitude, which comes from the
// rectifying latitude by a closed series in e1 to e1^4 (no iteration). The
// easting, northing, latitude and longitude series carry more terms than
// Snyder prints: further powers of C and C1, and terms up to A^8 and D^8.
//
// Ellipsoid: WGS 84 semi-major axis with the first eccentricity rounded to
// seven significant digits, 0.0818192; every derived constant below comes from
// that rounded value, so e^2 is 0.006694381488639999 and not the WGS 84
// 0.00669437999014. Lengths are in kilometres, angles in radians.
#include "geometry/transverse_mercator.h"

#include <cmath>

namespace tarvel::tm {

namespace {

constexpr double re = 6378.137;   // semi-major axis, km
constexpr double ko = 0.9996;     // scale factor on the central meridian
constexpr double ee = 0.0818192;  // first eccentricity
constexpr double ee2 = ee * ee;   // e^2
constexpr double ee4 = ee2 * ee2;
constexpr double ee6 = ee4 * ee2;
constexpr double eee = ee2 / (1.0 - ee2);  // second eccentricity squared, e'^2

// Meridian arc: M = re * (m0*phi - m2*sin 2phi + m4*sin 4phi - m6*sin 6phi).
constexpr double m0 = 1.0 - ee2 / 4.0 - 3.0 * ee4 / 64.0 - 5.0 * ee6 / 256.0;
constexpr double m2 = 3.0 * ee2 / 8.0 + 3.0 * ee4 / 32.0 + 45.0 * ee6 / 1024.0;
constexpr double m4 = 15.0 * ee4 / 256.0 + 45.0 * ee6 / 1024.0;
constexpr double m6 = 35.0 * ee6 / 3072.0;

// Parameter of the footpoint-latitude series.
const double e1 = (1.0 - std::sqrt(1.0 - ee2)) / (1.0 + std::sqrt(1.0 - ee2));
const double p2 = 3.0 * e1 / 2.0 - 27.0 * e1 * e1 * e1 / 32.0;
const double p4 = 21.0 * e1 * e1 / 16.0 - 55.0 * e1 * e1 * e1 * e1 / 32.0;
const double p6 = 151.0 * e1 * e1 * e1 / 96.0;
const double p8 = 1097.0 * e1 * e1 * e1 * e1 / 512.0;

constexpr double re_m0 = re * m0;              // rectifying radius, km
constexpr double re_1_ee2 = re * (1.0 - ee2);  // meridian radius of curvature at the equator, km

}  // namespace

PlaneKm forward(double phi, double dlam) {
  const double s = std::sin(phi);
  const double c = std::cos(phi);
  const double t = std::tan(phi);
  const double n = re / std::sqrt(1.0 - ee2 * s * s);
  const double tt = t * t;
  const double cc = eee * c * c;
  const double a = c * dlam;
  const double m = re * (m0 * phi - m2 * std::sin(2.0 * phi) + m4 * std::sin(4.0 * phi) -
                         m6 * std::sin(6.0 * phi));

  const double a2 = a * a;
  const double a3 = a2 * a;
  const double a4 = a2 * a2;
  const double a5 = a4 * a;
  const double a6 = a4 * a2;
  const double a7 = a6 * a;
  const double a8 = a4 * a4;
  const double t2 = tt * tt;
  const double t3 = t2 * tt;
  const double c2 = cc * cc;
  const double c3 = c2 * cc;
  const double c4 = c2 * c2;

  const double x = ko * n *
                   (a + (1.0 - tt + cc) * a3 / 6.0 +
                    (5.0 - 18.0 * tt + t2 + 72.0 * cc - 58.0 * eee + 13.0 * c2 + 4.0 * c3 -
                     64.0 * c2 * tt - 24.0 * c3 * tt) *
                        a5 / 120.0 +
                    (61.0 - 479.0 * tt + 179.0 * t2 - t3) * a7 / 5040.0);
  const double y =
      ko * (m + n * t *
                    (a2 / 2.0 + (5.0 - tt + 9.0 * cc + 4.0 * c2) * a4 / 24.0 +
                     (61.0 - 58.0 * tt + t2 + 600.0 * cc - 330.0 * eee + 445.0 * c2 + 324.0 * c3 -
                      680.0 * c2 * tt + 88.0 * c4 - 600.0 * c3 * tt - 192.0 * c4 * tt) *
                         a6 / 720.0 +
                     (1385.0 - 3111.0 * tt + 543.0 * t2 - t3) * a8 / 40320.0));
  return {x, y};
}

GeoRad inverse(double x, double y) {
  const double mu = y / ko / re_m0;
  const double phi1 = mu + p2 * std::sin(2.0 * mu) + p4 * std::sin(4.0 * mu) +
                      p6 * std::sin(6.0 * mu) + p8 * std::sin(8.0 * mu);

  const double s = std::sin(phi1);
  const double c = std::cos(phi1);
  const double t = std::tan(phi1);
  const double c1 = eee * c * c;
  const double t1 = t * t;
  const double w = std::sqrt(1.0 - ee2 * s * s);
  const double n1 = re / w;
  const double r1 = re_1_ee2 / (w * w * w);
  const double d = x / (n1 * ko);

  const double d2 = d * d;
  const double d3 = d2 * d;
  const double d4 = d2 * d2;
  const double d5 = d4 * d;
  const double d6 = d4 * d2;
  const double d7 = d6 * d;
  const double d8 = d4 * d4;
  const double t1_2 = t1 * t1;
  const double t1_3 = t1_2 * t1;
  const double c1_2 = c1 * c1;
  const double c1_3 = c1_2 * c1;
  const double c1_4 = c1_2 * c1_2;

  const double phi =
      phi1 - (n1 * t / r1) *
                 (d2 / 2.0 - (5.0 + 3.0 * t1 + 10.0 * c1 - 4.0 * c1_2 - 9.0 * eee) * d4 / 24.0 +
                  (61.0 + 90.0 * t1 + 298.0 * c1 + 45.0 * t1_2 - 252.0 * eee - 3.0 * c1_2 -
                   90.0 * c1 * t1_2 - 66.0 * c1_2 * t1 + 255.0 * c1_2 * t1_2 + 100.0 * c1_3 +
                   84.0 * c1_3 * t1 + 88.0 * c1_4 - 192.0 * c1_4 * t1) *
                      d6 / 720.0 -
                  (1385.0 + 3633.0 * t1 + 4095.0 * t1_2 + 1574.0 * t1_3) * d8 / 40320.0);
  const double dlam = (d - (1.0 + 2.0 * t1 + c1) * d3 / 6.0 +
                       (5.0 - 2.0 * c1 + 28.0 * t1 - 3.0 * c1_2 + 8.0 * eee + 24.0 * t1_2 +
                        4.0 * c1_2 * t1 - 4.0 * c1_3 + 24.0 * c1_3 * t1) *
                           d5 / 120.0 -
                       (61.0 + 662.0 * t1 + 1320.0 * t1_2 + 720.0 * t1_3) * d7 / 5040.0) /
                      c;
  return {phi, dlam};
}

}  // namespace tarvel::tm
