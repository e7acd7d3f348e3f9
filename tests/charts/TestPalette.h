#pragma once
// Loads a risk palette for chart tests: 40 colours running from dark green through yellow to a
// dark red-brown, like the installed one.

void LoadTestRiskPalette();
