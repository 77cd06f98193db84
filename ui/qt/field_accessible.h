#pragma once

// Has screen readers told of every single-line field through the window's own account of it.
// Qt's reports the text's attribute runs as empty, and Orca then reads a field's value short
// of its last character ("561" for 5610, nothing for 中); this one reports the whole text as
// one run. Called before the first field is made.
void InstallFieldAccessible();
