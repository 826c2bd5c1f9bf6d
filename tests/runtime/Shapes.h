#pragma once

// A small class family for the class-table and runtime tests: Shape is
// instantiable through its factory, Circle derives from it and hides one of
// its methods, and Stranger is unrelated to both. Their tables are made of
// typed rows, as every class's are.

#include "framework/runtime/Object.h"
#include "framework/runtime/Variant.h"

namespace shapes {

class Shape : public fw::Object {
    FW_OBJECT(Shape)
public:
    virtual int Area() const { return 0; }
    void Draw() { }
    fw::Color FillColor() const { return m_fill; }
    void set_FillColor(fw::Color value) { m_fill = value; }

private:
    fw::Color m_fill;
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
