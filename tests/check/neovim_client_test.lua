-- Neovim's own language server client driving morvane-check --lsp.
-- Run: MORVANE_CHECK=path/to/morvane-check nvim --headless -u NONE -i NONE \
--        -c "luafile neovim_client_test.lua"
-- Neovim's columns are bytes; the server speaks UTF-16 to it, so the Markdown sample has
-- letters of more than one byte, an emoji among them, before the word it checks. The sample
-- and its misspelt words ("word line", lines from 1) are shared with eglot_client_test.el,
-- so both clients are held to the same places.
local check = os.getenv('MORVANE_CHECK')
local data = vim.fn.fnamemodify(debug.getinfo(1, 'S').source:sub(2), ':h') .. '/data/'
local dir = vim.fn.tempname()
vim.fn.mkdir(dir, 'p')
local personal = dir .. '/personal-words'
local notes = vim.fn.readfile(data .. 'lsp-notes.md')
vim.fn.writefile(notes, dir .. '/notes.md')
local notes_misspelt = {}
for _, pair in ipairs(vim.fn.readfile(data .. 'lsp-notes-misspelt.txt')) do
  local word, line = pair:match('^(%S+) (%d+)$')
  table.insert(notes_misspelt, { word, tonumber(line) - 1 })
end
vim.fn.writefile({ 'Zwobble again, and a wrod.' }, dir .. '/other.txt')

local function wait_for(what, condition, describe)
  if not vim.wait(20000, condition, 20) then
    error('waited 20 s for ' .. what .. (describe and ('; Neovim shows ' .. describe()) or ''), 2)
  end
end

-- What Neovim shows for a buffer: "word@line:start-end" for each diagnostic, in order.
local function shown(buf)
  local found = {}
  for _, d in ipairs(vim.diagnostic.get(buf)) do
    local line = vim.api.nvim_buf_get_lines(buf, d.lnum, d.lnum + 1, false)[1]
    table.insert(found, string.format('%s@%d:%d-%d', line:sub(d.col + 1, d.end_col), d.lnum, d.col, d.end_col))
  end
  table.sort(found)
  return table.concat(found, ' ')
end

-- The same for words found by their bytes in the buffer's lines: { {word, line}, ... }.
local function expected(buf, words)
  local found = {}
  for _, w in ipairs(words) do
    local line = vim.api.nvim_buf_get_lines(buf, w[2], w[2] + 1, false)[1]
    local start = line:find(w[1], 1, true) - 1
    table.insert(found, string.format('%s@%d:%d-%d', w[1], w[2], start, start + #w[1]))
  end
  table.sort(found)
  return table.concat(found, ' ')
end

local function expect_shown(name, buf, words)
  local want = expected(buf, words)
  wait_for('the diagnostics ' .. want .. ' in ' .. name, function() return shown(buf) == want end,
           function() return shown(buf) end)
  io.stdout:write(name .. ': ' .. want .. '\n')
end

local function code_actions(buf, line, word)
  local win = vim.fn.bufwinid(buf)
  local text = vim.api.nvim_buf_get_lines(buf, line, line + 1, false)[1]
  vim.api.nvim_win_set_cursor(win, { line + 1, text:find(word, 1, true) - 1 })
  local params = vim.lsp.util.make_range_params(win)
  params.context = { diagnostics = vim.lsp.diagnostic.get_line_diagnostics(buf, line) }
  local answers = vim.lsp.buf_request_sync(buf, 'textDocument/codeAction', params, 20000)
  assert(answers and next(answers), 'no answer to textDocument/codeAction')
  local _, answer = next(answers)
  return answer.result
end

local function run()
  local exit_code
  local client = vim.lsp.start_client({
    name = 'morvane',
    cmd = { check, '--lsp', '-p', personal },
    root_dir = dir,
    on_exit = function(code) exit_code = code end,
  })
  assert(client, 'the client did not start')
  vim.cmd('edit ' .. dir .. '/notes.md')
  local notes_buf = vim.api.nvim_get_current_buf()
  vim.bo[notes_buf].filetype = 'markdown'
  vim.lsp.buf_attach_client(notes_buf, client)
  vim.cmd('split ' .. dir .. '/other.txt')
  local other_buf = vim.api.nvim_get_current_buf()
  vim.bo[other_buf].filetype = 'text'
  vim.lsp.buf_attach_client(other_buf, client)

  -- After an accented word and an emoji; neither the code span nor the fenced block.
  expect_shown('notes.md', notes_buf, notes_misspelt)
  expect_shown('other.txt', other_buf, { { 'Zwobble', 0 }, { 'wrod', 0 } })

  -- The quick fixes are the check window's list, best first; the first one replaces the word.
  local actions = code_actions(notes_buf, 2, 'recieve')
  local window = vim.fn.json_decode(vim.fn.system({ check, '--json', 'recieve' })).entries
  local titles = {}
  for i, word in ipairs(window) do
    assert(actions[i].edit, 'action ' .. i .. ' is not an edit: ' .. actions[i].title)
    titles[i] = "Replace with '" .. word .. "'"
  end
  table.insert(titles, "Add 'recieve' to the personal word list")
  table.insert(titles, "Ignore 'recieve' in this session")
  local offered = vim.tbl_map(function(a) return a.title end, actions)
  assert(vim.deep_equal(offered, titles), 'code actions: ' .. vim.inspect(offered))
  io.stdout:write('quick fixes on recieve: ' .. table.concat(offered, ' | ') .. '\n')
  vim.lsp.util.apply_workspace_edit(actions[1].edit, vim.lsp.get_client_by_id(client).offset_encoding)
  local fixed = notes[3]:gsub('recieve', window[1])
  assert(vim.api.nvim_buf_get_lines(notes_buf, 2, 3, false)[1] == fixed, 'the fix gave another line')
  expect_shown('notes.md after the fix', notes_buf, { { 'Zwobble', 3 } })

  -- Typing a misspelling brings a diagnostic there.
  local line = vim.api.nvim_buf_get_lines(notes_buf, 2, 3, false)[1]
  local guests = line:find('guests', 1, true) - 1
  vim.api.nvim_buf_set_text(notes_buf, 2, guests, 2, guests + 6, { 'gusets' })
  expect_shown('notes.md after typing', notes_buf, { { 'gusets', 2 }, { 'Zwobble', 3 } })

  -- Adding a word clears it in every open buffer and saves it in the personal list.
  local add
  for _, action in ipairs(code_actions(other_buf, 0, 'Zwobble')) do
    if action.title == "Add 'Zwobble' to the personal word list" then add = action end
  end
  assert(add and add.command, 'no command to add Zwobble')
  vim.lsp.buf.execute_command(add.command)
  expect_shown('notes.md after adding', notes_buf, { { 'gusets', 2 } })
  expect_shown('other.txt after adding', other_buf, { { 'wrod', 0 } })
  wait_for('Zwobble in ' .. personal, function()
    return vim.fn.filereadable(personal) == 1 and vim.deep_equal(vim.fn.readfile(personal), { 'Zwobble' })
  end)

  vim.lsp.stop_client(client)
  wait_for('the server to end', function() return exit_code ~= nil end)
  assert(exit_code == 0, 'the server ended with status ' .. exit_code .. ' after shutdown and exit')
end

local ok, problem = xpcall(run, debug.traceback)
vim.fn.delete(dir, 'rf')
if ok then
  io.stdout:write('Neovim and morvane-check agree\n')
  vim.cmd('qall!')
else
  io.stderr:write('FAIL: ' .. problem .. '\n')
  vim.cmd('cquit 1')
end
