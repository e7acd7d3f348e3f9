#pragma once
// Loads a risk palette for chart tests: distinct colours running from green through yellow to red.

void LoadTestRiskPalette();
