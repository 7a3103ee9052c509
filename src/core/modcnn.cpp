#include "core/modcnn.h"

void Main(modCnn& m) {
  m.config = readConfiguration(m.options.configPath);
  checkConfiguration(m.config);
  m.Cnn.open(connectionString(m.config));
  m.job = readJobParameters(m.options.jobPath);
}
