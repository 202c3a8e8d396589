// The layer transform: a 4x4 matrix applied to points as row vectors,
// as the platform lays it out (m41, m42, m43 are the translation).
#pragma once

#include "platform/graphics/Geometry.h"

namespace ca {

struct Transform3D {
    double m11 = 1, m12 = 0, m13 = 0, m14 = 0;
    double m21 = 0, m22 = 1, m23 = 0, m24 = 0;
    double m31 = 0, m32 = 0, m33 = 1, m34 = 0;
    double m41 = 0, m42 = 0, m43 = 0, m44 = 1;
    bool operator==(const Transform3D& o) const;
    bool operator!=(const Transform3D& o) const { return !(*this == o); }
};

inline constexpr Transform3D Transform3DIdentity{};

bool Transform3DIsIdentity(const Transform3D& t);
Transform3D Transform3DMakeTranslation(double tx, double ty, double tz);
Transform3D Transform3DMakeScale(double sx, double sy, double sz);
// Rotation by `angle` radians about the axis (x, y, z).
Transform3D Transform3DMakeRotation(double angle, double x, double y, double z);
// a then b.
Transform3D Transform3DConcat(const Transform3D& a, const Transform3D& b);
Transform3D Transform3DTranslate(const Transform3D& t, double tx, double ty, double tz);
Transform3D Transform3DScale(const Transform3D& t, double sx, double sy, double sz);
Transform3D Transform3DRotate(const Transform3D& t, double angle, double x, double y, double z);
bool Transform3DIsAffine(const Transform3D& t);
Transform3D Transform3DMakeAffineTransform(const cg::AffineTransform& t);
// The affine part (meaningful when Transform3DIsAffine).
cg::AffineTransform Transform3DGetAffineTransform(const Transform3D& t);

}  // namespace ca
