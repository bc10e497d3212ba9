#!/bin/sh
# The stand-in library's accuracy benchmark meets its goal on the class-A points of
# platform/norfluid/reference_points.txt (prints the whole table).
exec "$ORV_BUILD_DIR/platform/norfluid/norfluid-bench"
