#pragma once

// A header of a high layer.
