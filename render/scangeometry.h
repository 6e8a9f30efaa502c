#ifndef SCANGEOMETRY_H
#define SCANGEOMETRY_H

// Integer division rounded down and up, for any sign of the dividend and a
// positive divisor: lines and cells counted from an origin that moves.

inline int floorDiv(int a, int b)
{
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

inline int ceilDiv(int a, int b)
{
    return -floorDiv(-a, b);
}

#endif // SCANGEOMETRY_H
