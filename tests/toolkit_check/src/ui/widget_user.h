// Stands for a core file that reaches for a toolkit.
#pragma once
#include <QtWidgets/QWidget>
