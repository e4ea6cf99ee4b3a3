#include "app/Form1.h"
#include "about/frmAbout.h"

// PLACEHOLDER: the About button and the activation step are being built.
void Form1::Command6_Click() {}
void Form1::Form_Activate() {}
