// The printing tests' PDF reader, shared with this runner.
#include "printing/PdfText.cpp"
