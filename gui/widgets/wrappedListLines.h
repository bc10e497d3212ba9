// Report lists whose lines wrap: the list's own item sizes wrap a line at the list's full
// width, while the line is drawn inside the item spacing, so a line just under the full
// width was drawn cut with "...". The lines are measured at the width they are drawn in.
#pragma once

class QListView;

// Measures the list's lines at the width they are drawn in, again whenever the list is
// resized; the list must wrap its lines (wordWrap).
void wrapListLines(QListView* list);
