#pragma once
// The room a label or a read-out field leaves for its text, as a TTextFits for
// FittedValueText.

#include "model/FittedValueText.h"

class QWidget;

// Whether a text fits the widget's text area in the widget's font.
TTextFits FitsInside(const QWidget &widget);
