#include "ui/forms/Form.h"
