// The unit the ruler measures in.
#include "gradora.h"

void Gradora::setUnit(bool)
{
    update();
}

void Gradora::setUnit()
{
    setUnit(false);
}

void Gradora::recomputeScale() {}
