// Checks what the workflows run, beyond GitHub's schema: node check-steps.mjs <workflow.yml>...
// - every command is a call of one of the project's scripts, with nothing chained to it, so
//   that a workflow repeats none of their steps; only a job's first step, named Bootstrap, may run commands of its own (a bare
//   container has to be given git before the sources can be checked out);
// - every action comes pinned to a full commit, with its release in a comment;
// - the workflow's token may only read, unless a job asks for more.
// Prints each fault and exits 1 if there is any.
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { parse } from 'yaml';

const kRepository = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const kScriptCall = /^bash (scripts\/[\w.-]+\.sh)( [^;&|\n`()]*)?$/;
const kPinnedAction = /^\s*(- )?uses: [\w.-]+\/[\w./-]+@[0-9a-f]{40} # v\d+\.\d+\.\d+$/;

const faults = [];
for (const file of process.argv.slice(2)) {
  const text = fs.readFileSync(file, 'utf8');
  const workflow = parse(text);
  const fault = (what) => faults.push(`${file}: ${what}`);
  if (JSON.stringify(workflow.permissions) !== '{"contents":"read"}') {
    fault('the workflow\'s permissions are not { contents: read }');
  }
  for (const [name, job] of Object.entries(workflow.jobs ?? {})) {
    (job.steps ?? []).forEach((step, index) => {
      if (step.run === undefined) return;
      if (index === 0 && step.name === 'Bootstrap') return;
      const call = kScriptCall.exec(step.run.trim());
      if (!call) {
        fault(`job ${name} runs "${step.run.trim()}", which is not a call of a project script`);
      } else if (!fs.existsSync(path.join(kRepository, call[1]))) {
        fault(`job ${name} calls ${call[1]}, which does not exist`);
      }
    });
  }
  for (const line of text.split('\n')) {
    if (/^\s*(- )?uses:/.test(line) && !kPinnedAction.test(line)) {
      fault(`"${line.trim()}" is not pinned to a full commit with its version in a comment`);
    }
  }
}
for (const fault of faults) console.error(fault);
process.exit(faults.length > 0 ? 1 : 0);
