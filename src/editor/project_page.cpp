#include "editor/project_page.h"
