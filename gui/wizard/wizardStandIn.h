// Stand-ins of the commissioning pages that show settings of the wizard's copy: one label
// under the page's buttons listing "KEY=value" for each key, read as whole texts so that
// nothing is inserted into the copy.
#pragma once

#include <initializer_list>

class QLabel;
class QWidget;
class orv_configFile;

QLabel* addCopyValuesLabel(QWidget* page);
void showCopyValues(QLabel* label, orv_configFile* config, std::initializer_list<const char*> keys);
