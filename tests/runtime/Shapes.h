#pragma once

// A small class family for the class-table and runtime tests: Shape is
// instantiable through its factory, Circle derives from it and hides one of
// its methods, and Stranger is unrelated to both.

#include "framework/runtime/Object.h"

namespace shapes {

class Shape : public fw::Object {
    FW_OBJECT(Shape)
public:
    virtual int Area() const { return 0; }
};

class Circle final : public Shape {
    FW_OBJECT(Circle)
public:
    int Area() const override { return 3; }
};

class Stranger final : public fw::Object {
    FW_OBJECT(Stranger)
};

}
