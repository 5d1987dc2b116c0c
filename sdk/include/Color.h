// Single-precision RGB colour and 3D point, as the host stores them.
#pragma once

class Point3 {
public:
    float x = 0.0f, y = 0.0f, z = 0.0f;

    Point3() = default;
    Point3(float X, float Y, float Z) : x(X), y(Y), z(Z) {}
    bool operator==(const Point3& p) const { return x == p.x && y == p.y && z == p.z; }
    bool operator!=(const Point3& p) const { return !(*this == p); }
    Point3 operator+(const Point3& p) const { return Point3(x + p.x, y + p.y, z + p.z); }
    Point3 operator-(const Point3& p) const { return Point3(x - p.x, y - p.y, z - p.z); }
    Point3 operator*(float f) const { return Point3(x * f, y * f, z * f); }
};

class Color {
public:
    float r = 0.0f, g = 0.0f, b = 0.0f;

    Color() = default;
    Color(float R, float G, float B) : r(R), g(G), b(B) {}
    explicit Color(const Point3& p) : r(p.x), g(p.y), b(p.z) {}
    operator Point3() const { return Point3(r, g, b); }

    bool operator==(const Color& c) const { return r == c.r && g == c.g && b == c.b; }
    bool operator!=(const Color& c) const { return !(*this == c); }
    Color operator+(const Color& c) const { return Color(r + c.r, g + c.g, b + c.b); }
    Color operator-(const Color& c) const { return Color(r - c.r, g - c.g, b - c.b); }
    Color operator*(const Color& c) const { return Color(r * c.r, g * c.g, b * c.b); }
    Color operator*(float f) const { return Color(r * f, g * f, b * f); }
    Color& operator+=(const Color& c) {
        r += c.r;
        g += c.g;
        b += c.b;
        return *this;
    }
    Color& operator*=(float f) {
        r *= f;
        g *= f;
        b *= f;
        return *this;
    }

    // Clamps every component into [lo, hi]; the host's own range is 0 to 1.
    void ClampMinMax(float lo = 0.0f, float hi = 1.0f) {
        r = Clamp(r, lo, hi);
        g = Clamp(g, lo, hi);
        b = Clamp(b, lo, hi);
    }

private:
    static float Clamp(float v, float lo, float hi) { return v < lo ? lo : (v > hi ? hi : v); }
};

inline Color operator*(float f, const Color& c) { return c * f; }
