// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class DesignModel;

// A small design that touches every image area: input → pre-logic → counter
// and delay → post-logic → NIM output, plus a measure counter.
void buildTestDesign(DesignModel &model);
