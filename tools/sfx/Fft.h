// A radix-2 fast Fourier transform, for the spectrograms and the tracks' spectra.
#pragma once

#include <complex>
#include <vector>

// In place; the size must be a power of two.
void Fft(std::vector<std::complex<double>>& a);
