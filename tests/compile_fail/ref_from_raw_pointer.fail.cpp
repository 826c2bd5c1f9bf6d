// A raw pointer never becomes a Ref by accident: the conversion that
// retains is explicit, so copy-initialisation from a pointer is rejected.
// Expected error: conversion from [^ ]*fw::Object ?[*]
#include "framework/runtime/Ref.h"

void keep(fw::Object* raw)
{
    fw::Ref<fw::Object> ref = raw;
    (void)ref;
}
